// Validates a .glb file with the Khronos glTF validator and prints its report's
// counts and messages as one JSON line: node validate.mjs FILE.glb
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";

const require = createRequire(import.meta.url);
const validator = require("gltf-validator");

const file = process.argv[2];
const report = await validator.validateBytes(new Uint8Array(readFileSync(file)), {
  uri: file,
  maxIssues: 100,
  externalResourceFunction: (uri) => Promise.reject(new Error(`no external resource may be needed: ${uri}`)),
});
const issues = report.issues;
console.log(JSON.stringify({
  errors: issues.numErrors,
  warnings: issues.numWarnings,
  infos: issues.numInfos,
  messages: issues.messages.filter((m) => m.severity <= 1).map((m) => `${m.code} ${m.pointer ?? ""}: ${m.message}`),
  info: report.info,
}));
