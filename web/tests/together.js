// Runs the test files it is given in this one node process, one after
// another: their sessions share one browser and its tabs (pagetest.js), so
// a file costs no browser's start, no driver's load and no first tab of
// its own, about 3 s of processor time each.
//
//   node web/tests/together.js web/tests/section.test.js web/tests/ratios.test.js
'use strict';
const path = require('node:path');

for (const file of process.argv.slice(2)) require(path.resolve(file));
