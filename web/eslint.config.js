// ESLint's flat configuration for the page's JavaScript: its script, the
// tools beside it and the browser tests. Mistakes (ESLint's recommended
// rules) and the layout the files are written in (stylistic rules), checked
// by the `page_lint` test.
//
//   NODE_PATH=build-web/npm/node_modules node build-web/npm/node_modules/eslint/bin/eslint.js -c web/eslint.config.js web
'use strict';
const fs = require('node:fs');
const path = require('node:path');
const js = require('@eslint/js');
const stylistic = require('@stylistic/eslint-plugin');
const globals = require('globals');

// The page's script is its files run one after another in one function
// (assemble.js), so a file may use what another declares at its top level,
// and ruvex3d.js may return early from that function.
const nodeFiles = ['assemble.js', 'bench_page.js', 'eslint.config.js', 'markup.js', 'site.js'];
// The installable site's service worker runs on its own, not in the page.
const workerFiles = ['sw.js'];
const pageFiles = fs.readdirSync(__dirname).filter((name) => name.endsWith('.js') && !nodeFiles.includes(name) && !workerFiles.includes(name));
const declaredAtTop = /^(?:async\s+)?(?:function\*?|class|const|let|var)\s+([A-Za-z_$][\w$]*)/gm;
const sources = Object.fromEntries(pageFiles.map((name) => [name, fs.readFileSync(path.join(__dirname, name), 'utf8')]));
const topNames = (name) => [...sources[name].matchAll(declaredAtTop)].map((match) => match[1]);

// For each file of the page: the other files' names are its globals, and its
// own names that another file uses count as used.
function pageFileConfig(name) {
    const others = pageFiles.filter((other) => other !== name);
    const theirs = Object.fromEntries(others.flatMap(topNames).map((declared) => [declared, 'readonly']));
    const usedElsewhere = topNames(name).filter((declared) => others.some((other) => new RegExp(`\\b${declared.replace('$', '\\$')}\\b`).test(sources[other])));
    return {
        files: [name],
        languageOptions: {
            sourceType: 'script',
            parserOptions: { ecmaFeatures: { globalReturn: true } },
            globals: { ...globals.browser, ...theirs, createRuvexCore: 'readonly' },
        },
        rules: {
            'no-unused-vars': ['error', { args: 'after-used', caughtErrors: 'none', varsIgnorePattern: `^(${usedElsewhere.join('|') || '$^'})$` }],
        },
    };
}

module.exports = [
    js.configs.recommended,
    {
        plugins: { '@stylistic': stylistic },
        languageOptions: { ecmaVersion: 2022, sourceType: 'commonjs', globals: globals.node },
        rules: {
            '@stylistic/indent': ['error', 4, { SwitchCase: 1, CallExpression: { arguments: 'first' }, ArrayExpression: 'first', FunctionDeclaration: { parameters: 'first' } }],
            '@stylistic/quotes': ['error', 'single', { avoidEscape: true }],
            '@stylistic/semi': ['error', 'always'],
            '@stylistic/comma-dangle': ['error', 'always-multiline'],
            '@stylistic/brace-style': ['error', '1tbs', { allowSingleLine: true }],
            '@stylistic/max-len': ['error', { code: 150, ignoreStrings: true, ignoreTemplateLiterals: true }],
            '@stylistic/no-trailing-spaces': 'error',
            '@stylistic/eol-last': 'error',
            '@stylistic/no-multiple-empty-lines': ['error', { max: 1 }],
            '@stylistic/object-curly-spacing': ['error', 'always'],
            '@stylistic/array-bracket-spacing': ['error', 'never'],
            '@stylistic/comma-spacing': 'error',
            '@stylistic/keyword-spacing': 'error',
            '@stylistic/space-before-blocks': 'error',
            '@stylistic/space-infix-ops': 'error',
            '@stylistic/arrow-parens': ['error', 'always'],
            '@stylistic/no-tabs': 'error',
            'no-unused-vars': ['error', { args: 'after-used', caughtErrors: 'none' }],
        },
    },
    ...pageFiles.map(pageFileConfig),
    {
        // Files and functions small enough to read: the page's scripts and
        // the tools beside them, as tools/check_sizes.sh holds the C++.
        files: ['*.js'],
        rules: {
            'max-lines': ['error', { max: 400, skipBlankLines: true, skipComments: true }],
            'max-lines-per-function': ['error', { max: 40, skipBlankLines: true, skipComments: true }],
        },
    },
    {
        files: workerFiles,
        languageOptions: { sourceType: 'script', globals: globals.serviceworker },
    },
    {
        // The tests' functions that run inside the page.
        files: ['tests/*.js', 'bench_page.js'],
        languageOptions: { globals: { ...globals.node, ...globals.browser } },
    },
];
