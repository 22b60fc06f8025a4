# `make web`: the Qt-free core, the picture's display list and the page's
# session compiled to WebAssembly with Emscripten, plus the page itself, in
# web/dist/. Nothing in the page is fetched from elsewhere.
WEB_DIST   ?= web/dist
WEB_OBJ    ?= $(BUILD)/web-obj
EMXX       ?= em++
# Debian's Emscripten finds its JavaScript optimizer's parser (acorn) only here.
WEB_ENV    := NODE_PATH=/usr/share/nodejs

# The Qt-free libraries' sources as their CMake targets list them (written
# when the build is configured), and the page's own.
ifneq ($(filter web test,$(MAKECMDGOALS)),)
include $(BUILD)/web_sources.mk
endif
# The lens designer and NLopt, which Debian has for the machine only: it is
# built from Debian's source package with Emscripten (tools/nlopt-wasm.sh).
NLOPT_WASM  ?= $(BUILD)/nlopt-wasm
WEB_DESIGN_SOURCES := calc/lens_design.cpp calc/design_line.cpp web/page_design.cpp \
  web/design_bindings.cpp
WEB_SOURCES := $(WEB_CORE_SOURCES) web/page_session.cpp web/bindings.cpp \
  web/page_script_notes.cpp $(WEB_DESIGN_SOURCES)
WEB_OBJECTS := $(patsubst %.cpp,$(WEB_OBJ)/%.o,$(WEB_SOURCES))
WEB_PAGE    := web/index.html web/page.css web/page.js web/picture.js web/lens_link.js \
  web/script_player.js web/png_dpi.js web/aberration_plot.js web/page_words.js \
  web/design_panel.js web/view_controls.js web/light_source.js \
  web/colour_controls.js web/page_lang.js
WEB_EXAMPLES := $(wildcard examples/*.ops)

# Same floating-point rules as the native build: every operation as written.
WEB_CXXFLAGS := -std=c++20 -O2 -I. -I$(BUILD)/generated -I$(NLOPT_WASM)/include -Wall -Wextra -ffp-contract=off \
  -fno-fast-math -fno-math-errno
WEB_LDFLAGS := -O2 --bind -sMODULARIZE=1 -sEXPORT_NAME=createKelvane -sALLOW_MEMORY_GROWTH=1 \
  -sENVIRONMENT=web -sFILESYSTEM=1

.PHONY: web web-deps web-guide
web-deps:
	@tools/install-deps.sh

$(BUILD)/web_sources.mk: CMakeLists.txt $(wildcard */CMakeLists.txt) | deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo

# The page's word catalogues, one per language of the desktop program.
WEB_LANGS := de fr es pt_BR zh_CN
WEB_CATALOGUES := $(patsubst %,$(WEB_DIST)/lang/%.json,$(WEB_LANGS))

web: web-deps $(WEB_DIST)/kelvane.js $(patsubst web/%,$(WEB_DIST)/%,$(WEB_PAGE)) \
     $(WEB_DIST)/examples.js web-guide $(WEB_CATALOGUES)
	@du -cb $(WEB_DIST)/* | tail -1 | awk '{ printf "web/dist: %.2f MB\n", $$1 / 1048576 }'

$(NLOPT_WASM)/lib/libnlopt.a: tools/nlopt-wasm.sh | web-deps
	tools/nlopt-wasm.sh $(NLOPT_WASM)

$(WEB_OBJ)/%.o: %.cpp | web-deps $(NLOPT_WASM)/lib/libnlopt.a
	@mkdir -p $(dir $@)
	$(WEB_ENV) $(EMXX) $(WEB_CXXFLAGS) -MMD -MP -c $< -o $@

$(WEB_DIST)/kelvane.js: $(WEB_OBJECTS) $(NLOPT_WASM)/lib/libnlopt.a
	@mkdir -p $(WEB_DIST)
	$(WEB_ENV) $(EMXX) $(WEB_LDFLAGS) $^ -o $@

$(WEB_DIST)/examples.js: web/embed_examples.mjs $(WEB_EXAMPLES) | web-deps
	@mkdir -p $(WEB_DIST)
	node web/embed_examples.mjs $(WEB_EXAMPLES) > $@

# The guide as the build made it (pictures drawn by kelvane-cli), linked from
# the page's header; copied afresh so removed pages do not linger.
web-guide: $(BUILD)/build.ninja
	cmake --build $(BUILD) --target kelvane_guide
	@rm -rf $(WEB_DIST)/guide
	@mkdir -p $(WEB_DIST)
	cp -r $(BUILD)/app/guide $(WEB_DIST)/guide

$(WEB_DIST)/lang/%.json: translations/kelvane_%.ts web/page_lang_words.json tools/ts-to-json.mjs \
                         | web-deps
	@mkdir -p $(dir $@)
	node tools/ts-to-json.mjs $< web/page_lang_words.json $* > $@.tmp && mv $@.tmp $@

$(WEB_DIST)/%: web/%
	@mkdir -p $(WEB_DIST)
	cp $< $@

-include $(WEB_OBJECTS:.o=.d)
