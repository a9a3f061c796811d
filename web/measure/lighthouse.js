// Lighthouse's performance and accessibility of a served page in Debian's
// Chromium, headless: its mobile preset (simulated slow 4G and a processor
// four times slower) and its desktop preset, each run in a browser of its
// own with nothing kept from the last run. Lighthouse and chrome-launcher are
// ES modules of the measuring package (web/measure/package.json).
'use strict';
const path = require('node:path');
const { pathToFileURL } = require('node:url');

const kMetrics = ['first-contentful-paint', 'largest-contentful-paint', 'total-blocking-time', 'total-byte-weight'];

const fromPackage = (modules, file) => import(pathToFileURL(path.join(modules, file)).href);
const median = (values) => values.slice().sort((a, b) => a - b)[Math.floor(values.length / 2)];

// One run of `preset` ('mobile' or 'desktop'): the scores out of 100 and the metrics' values.
async function runOnce(modules, url, preset) {
    const { default: lighthouse } = await fromPackage(modules, 'lighthouse/core/index.js');
    const chromeLauncher = await fromPackage(modules, 'chrome-launcher/dist/index.js');
    const config = preset === 'desktop' ? (await fromPackage(modules, 'lighthouse/core/config/desktop-config.js')).default : undefined;
    const chrome = await chromeLauncher.launch({
        chromePath: process.env.CHROME_PATH || '/usr/bin/chromium',
        chromeFlags: ['--headless=new', '--no-sandbox', '--disable-gpu'],
    });
    try {
        const { lhr } = await lighthouse(url, { port: chrome.port, onlyCategories: ['performance', 'accessibility'], logLevel: 'error' }, config);
        if (lhr.runtimeError) throw new Error(`Lighthouse: ${lhr.runtimeError.message}`);
        const result = {
            version: lhr.lighthouseVersion,
            warnings: lhr.runWarnings,
            performance: Math.round(lhr.categories.performance.score * 100),
            accessibility: Math.round(lhr.categories.accessibility.score * 100),
            accessibilityFailures: lhr.categories.accessibility.auditRefs
                .filter((ref) => ref.weight > 0 && lhr.audits[ref.id].score === 0).map((ref) => ref.id),
        };
        for (const id of kMetrics) result[id] = lhr.audits[id].numericValue;
        return result;
    } finally {
        await chrome.kill();
    }
}

const seconds = (ms) => `${(ms / 1000).toFixed(2)} s`;
const spread = (values, shown) => (values.length > 1 ? ` (${shown(Math.min(...values))} to ${shown(Math.max(...values))})` : '');

// The line of `runs` of one preset: medians, the range where there are several.
function summary(preset, runs) {
    const of = (key) => runs.map((run) => run[key]);
    const item = (key, shown) => shown(median(of(key))) + spread(of(key), shown);
    return `  ${preset.padEnd(8)} performance ${item('performance', String)}, accessibility ${item('accessibility', String)}, `
        + `FCP ${item('first-contentful-paint', seconds)}, LCP ${item('largest-contentful-paint', seconds)}, `
        + `TBT ${item('total-blocking-time', (ms) => `${Math.round(ms)} ms`)}, `
        + `total-byte-weight ${item('total-byte-weight', (bytes) => `${Math.round(bytes)} B`)}`;
}

// Runs both presets `runs` times each, alternating, and prints their medians.
async function lighthouseReport(modules, url, runs) {
    const results = { mobile: [], desktop: [] };
    for (let run = 0; run < runs; ++run) {
        for (const preset of Object.keys(results)) results[preset].push(await runOnce(modules, url, preset));
    }
    console.log(`Lighthouse ${results.mobile[0].version}, ${url}, ${runs} run(s) of each preset, medians:`);
    for (const [preset, presetRuns] of Object.entries(results)) console.log(summary(preset, presetRuns));
    const all = Object.values(results).flat();
    const failures = [...new Set(all.flatMap((run) => run.accessibilityFailures))];
    if (failures.length) console.log(`  accessibility audits failed: ${failures.join(', ')}`);
    for (const warning of new Set(all.flatMap((run) => run.warnings))) console.log(`  warning: ${warning}`);
}

module.exports = { lighthouseReport };
