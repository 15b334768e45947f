#!/usr/bin/env node
// Validates CSS that the style dialogs build, read from a file:
//   node check-css.js decls FILE   a declaration list (the value of STYLE=)
//   node check-css.js rules FILE   style rules ("P { color:red; }")
// Exit 0 when valid; otherwise 1 with one line per error on stdout.
import { readFileSync } from 'node:fs';
import { parse, walk, generate } from 'css-tree';
import { validate } from 'csstree-validator';

const [kind, file] = process.argv.slice(2);
if (!['decls', 'rules'].includes(kind) || !file) {
  console.error('usage: check-css.js decls|rules FILE');
  process.exit(2);
}

const text = readFileSync(file, 'utf8');
// A declaration list is checked as the block of one rule.
const css = kind === 'decls' ? `a{${text}}` : text;
const problems = [];
const where = (e) => (e.line ? `line ${e.line}, column ${e.column}: ` : '');

for (const e of validate(css, file)) {
  const what = e.property ? `\`${e.property}\`: ` : '';
  problems.push(where(e) + what + e.message + (e.details ? `\n${e.details}` : ''));
}

// The validator does not look at selectors, nor at text that escapes the
// wrapping block; both are checked here.
const ast = parse(css, { positions: true, parseRulePrelude: true, parseValue: false,
  onParseError: () => {} });  // already reported above
let rules = 0;
walk(ast, {
  visit: 'Rule',
  enter(node) {
    rules++;
    if (node.prelude.type === 'Raw')
      problems.push(`${where(node.loc ? node.loc.start : {})}bad selector "${generate(node.prelude)}"`);
  },
});
walk(ast, {
  visit: 'Atrule',
  enter(node) {
    if (kind === 'decls') problems.push(`at-rule @${node.name} inside a declaration list`);
  },
});
if (kind === 'decls' && rules !== 1) problems.push('the declarations close their block early');
if (kind === 'rules' && rules === 0 && text.trim() !== '') problems.push('no style rule found');

if (problems.length) {
  console.log(problems.join('\n'));
  process.exit(1);
}
