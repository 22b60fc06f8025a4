// The lens picture's words in the language the windows run in: the view,
// prints, exports and script GIFs look the picture's key rows up here.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace kelvane {

// The translation of one of the picture's English words (draw::kLegendWords);
// any other text comes back unchanged.
std::string pictureWords(std::string_view english);

// The English words this table marks for translation.
std::span<const char* const> pictureWordTable();

}  // namespace kelvane
