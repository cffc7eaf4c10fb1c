// Opens a user guide in Chromium as a reader with poor sight meets it: large, narrow, in high contrast.
// usage: node guides.test.js GUIDE.html LANGUAGE SCREENSHOT_DIR
const assert = require('node:assert/strict');
const { test, before, after } = require('node:test');
const path = require('node:path');
const fs = require('node:fs');
const { chromium } = require('playwright-core');
const axe = require('axe-core');

const [guide, language, shots] = process.argv.slice(2);
const name = path.basename(guide, '.html');
const CHROMIUM_ARGS = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];

// In the page: each element's own text, its colour and what lies behind it, composited up to the canvas.
function textColours(selector) {
  const rgba = (css) => (css.match(/[\d.]+/g) || [0, 0, 0, 0]).map(Number).concat(1).slice(0, 4);
  const over = (top, below) => top.slice(0, 3).map((c, i) => c * top[3] + below[i] * (1 - top[3])).concat(1);
  const behind = (element) => {
    const layers = [];
    for (let e = element; e; e = e.parentElement) layers.push(rgba(getComputedStyle(e).backgroundColor));
    const canvas = rgba(getComputedStyle(document.documentElement).backgroundColor)[3] ? [] : [[255, 255, 255, 1]];
    return layers.concat(canvas).reverse().reduce((below, top) => over(top, below));
  };
  const hasText = (e) => [...e.childNodes].some((n) => n.nodeType === 3 && n.textContent.trim());
  return [...document.querySelectorAll(selector)].filter((e) => e.getClientRects().length && hasText(e))
    .map((e) => {
      const background = behind(e);
      return { what: describe(e), colour: over(rgba(getComputedStyle(e).color), background), background };
    });
}

function contrast(a, b) {
  const lum = (c) => c.slice(0, 3).map((v) => v / 255).map((v) => (v <= 0.04045 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4))
    .reduce((sum, v, i) => sum + v * [0.2126, 0.7152, 0.0722][i], 0);
  const [hi, lo] = [lum(a), lum(b)].sort((x, y) => y - x);
  return (hi + 0.05) / (lo + 0.05);
}

const low = (found, minimum) => found.map((f) => ({ ...f, ratio: contrast(f.colour, f.background) }))
  .filter((f) => f.ratio < minimum).map((f) => `${f.what}: ${f.ratio.toFixed(2)}:1`);

let browser, page;
before(async () => {
  fs.mkdirSync(shots, { recursive: true });
  browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: CHROMIUM_ARGS });
  page = await browser.newPage({ viewport: { width: 1280, height: 900 } });
  // In the page: how a finding names its element.
  await page.addInitScript(() => (window.describe = (e) =>
    `${e.tagName.toLowerCase()}${e.className ? '.' + e.className : ''} "${e.textContent.trim().slice(0, 30)}"`));
  await page.goto(`file://${path.resolve(guide)}`);
});
after(() => browser?.close());

test('the WCAG 2.1 rules, contrast of 7:1 among them, and the headings\' order find nothing', async () => {
  await page.screenshot({ path: path.join(shots, `${name}-1280.png`), fullPage: true });
  await page.addScriptTag({ content: axe.source });
  // Also the findings axe could not decide: a text whose contrast it cannot tell is not known to be readable.
  const { violations, incomplete } = await page.evaluate(() => axe.run(document, {
    runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag2aaa'] },
    rules: { 'heading-order': { enabled: true }, 'page-has-heading-one': { enabled: true } } }));
  assert.deepEqual(violations.concat(incomplete).map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`),
    []);
});

test('the pictures load and say what they show, the language is declared', async () => {
  const page_ = await page.evaluate(() => ({
    lang: document.documentElement.lang,
    other: [...document.querySelectorAll('a[hreflang]')].map((a) => [a.hreflang, a.lang, a.getAttribute('href')]),
    pictures: [...document.images].map((i) => [i.getAttribute('src'), i.naturalWidth > 0, i.alt.trim()]),
  }));
  assert.equal(page_.lang, language);
  assert.ok(page_.other.length && page_.other.every(([hreflang, lang, href]) => hreflang !== language &&
    lang === hreflang && fs.existsSync(path.join(path.dirname(guide), href))), JSON.stringify(page_.other));
  assert.ok(page_.pictures.length >= 2, 'fewer than two pictures');
  assert.deepEqual(page_.pictures.filter(([, shown, alt]) => !shown || alt.split(/\s+/).length < 6), [],
    'pictures that do not load, or whose text alternative says too little');
});

test('at 320 CSS pixels wide (400 % zoom) nothing scrolls sideways or is cut off', async () => {
  await page.setViewportSize({ width: 320, height: 640 });
  await page.screenshot({ path: path.join(shots, `${name}-320.png`), fullPage: true });
  const wide = await page.evaluate(() => {
    const width = document.documentElement.clientWidth;
    const out = [...document.querySelectorAll('body *')].filter((e) => {
      const box = e.getBoundingClientRect();
      return box.width && (box.left < 0 || box.right > width + 0.5 || e.scrollWidth > e.clientWidth + 1 &&
        getComputedStyle(e).display !== 'inline');
    }).map(describe);
    return { scroll: document.documentElement.scrollWidth - width, out };
  });
  assert.deepEqual(wide, { scroll: 0, out: [] });
  await page.setViewportSize({ width: 1280, height: 900 });
});

test('in forced colours, dark and light, headings, keys and captions stay readable and keep their borders',
  async () => {
    const emphasis = 'h1, h2, h3, h4, h5, h6, kbd, .caption, figcaption';
    const boxes = 'kbd, .caption, .note, figure';
    const before = JSON.stringify(await page.evaluate(textColours, emphasis));
    const cdp = await page.context().newCDPSession(page);
    for (const scheme of ['dark', 'light']) {
      await cdp.send('Emulation.setEmulatedMedia', { features: [{ name: 'forced-colors', value: 'active' },
        { name: 'prefers-color-scheme', value: scheme }] });
      await page.screenshot({ path: path.join(shots, `${name}-forced-${scheme}.png`), fullPage: true });
      const found = await page.evaluate(textColours, emphasis);
      assert.notEqual(JSON.stringify(found), before, `forced colours (${scheme}) changed no colour`);
      assert.deepEqual(low(found, 4.5), [], `forced colours, ${scheme}`);
      const unboxed = await page.evaluate((boxes) => [...document.querySelectorAll(boxes)].filter((e) =>
        ['Top', 'Right', 'Bottom', 'Left'].some((side) => getComputedStyle(e)[`border${side}Style`] === 'none' ||
          parseFloat(getComputedStyle(e)[`border${side}Width`]) < 1)).map(describe), boxes);
      assert.deepEqual(unboxed, [], `forced colours, ${scheme}: boxes without a border`);
    }
    await cdp.send('Emulation.setEmulatedMedia', { features: [] });
  });
