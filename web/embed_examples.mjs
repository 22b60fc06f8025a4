// Writes the example scripts into one module for the page, so picking an
// example fetches nothing: node embed_examples.mjs FILE.ops... > examples.js
import { readFileSync } from "node:fs";
import { basename } from "node:path";

const examples = {};
for (const file of process.argv.slice(2)) examples[basename(file, ".ops")] = readFileSync(file, "utf8");
process.stdout.write(`export const EXAMPLES = ${JSON.stringify(examples, null, 1)};\n`);
