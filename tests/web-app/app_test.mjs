// The web edition as an app, in Chromium and Firefox ESR: it installs, a reload works with the
// server really gone, a new build replaces an old one without mixing them, nginx serves it from
// the README's config, and no page ever reports a policy violation.
// usage: node app_test.mjs FINISH_SITE PLAIN_SITE ICON_SVG NGINX_DIR WORK_DIR
import { execFileSync, spawn } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import puppeteer from 'puppeteer-core';
import { pageWorks, languages } from './page_checks.mjs';

const [finishSite, plainSite, iconSvg, nginxDir, work] = process.argv.slice(2);
const axeSource = fs.readFileSync(new URL('./node_modules/axe-core/axe.min.js', import.meta.url), 'utf8');

function build(name, change = (text) => text) {
    const plain = path.join(work, `${name}-plain`);
    fs.rmSync(plain, { recursive: true, force: true });
    fs.cpSync(plainSite, plain, { recursive: true });
    for (const file of fs.readdirSync(plain, { recursive: true }).filter((f) => /\.(js|css)$/.test(f))) {
        fs.writeFileSync(path.join(plain, file), change(fs.readFileSync(path.join(plain, file), 'utf8')));
    }
    const site = path.join(work, name);
    execFileSync('node', [finishSite, plain, site, iconSvg, path.join(nginxDir, 'amorist.conf')]);
    const worker = fs.readFileSync(path.join(site, 'sw.js'), 'utf8');
    return { site, build: worker.match(/const build = '(\w+)'/)[1], files: JSON.parse(worker.match(/const files = (\[[^\]]*\])/)[1]) };
}

// A static server that forbids every cache but the service worker's, and really goes away.
function noStoreServer() {
    const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.json': 'application/json',
        '.wasm': 'application/wasm', '.png': 'image/png', '.webmanifest': 'application/manifest+json' };
    const server = { root: null, port: 0, requests: [] };
    const http_ = http.createServer((request, response) => {
        const url = new URL(request.url, 'http://x');
        server.requests.push(url.pathname);
        const file = path.join(server.root, url.pathname.endsWith('/') ? `${url.pathname}index.html` : url.pathname);
        if (!file.startsWith(server.root) || !fs.existsSync(file)) return response.writeHead(404).end();
        response.writeHead(200, { 'Content-Type': types[path.extname(file)], 'Cache-Control': 'no-store' });
        response.end(fs.readFileSync(file));
    });
    server.start = () => new Promise((resolve) => http_.listen(server.port, '127.0.0.1', () => {
        server.port = http_.address().port;
        resolve(`http://127.0.0.1:${server.port}/`);
    }));
    server.stop = () => new Promise((resolve) => { http_.close(resolve); http_.closeAllConnections(); });
    return server;
}

async function launch(browser) {
    const profile = fs.mkdtempSync(path.join(work, `${browser}-`));
    return puppeteer.launch(browser === 'chromium'
        ? { executablePath: '/usr/bin/chromium', headless: true, userDataDir: profile, args: ['--no-sandbox'] }
        : { browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true, userDataDir: profile,
            env: { ...process.env, HOME: profile } });
}

// Every page fails the run on a console error, and a policy violation is made one.
const problems = [];
async function watchedPage(browser) {
    const page = await browser.newPage();
    page.setDefaultTimeout(10000);
    page.on('console', (message) => message.type() === 'error' && problems.push(message.text()));
    page.on('pageerror', (error) => problems.push(String(error)));
    await page.evaluateOnNewDocument(() => document.addEventListener('securitypolicyviolation', (event) =>
        console.error(`securitypolicyviolation: ${event.violatedDirective} ${event.blockedURI}`)));
    return page;
}

const workerReady = (page) => page.waitForFunction(async () =>
    (await navigator.serviceWorker.getRegistration())?.active?.state === 'activated', { polling: 100 });
const cacheNames = (page) => page.evaluate(() => caches.keys());
const loadedFiles = (page) => page.evaluate(() =>
    performance.getEntriesByType('resource').map((entry) => new URL(entry.name).pathname.slice(1)));

function expect(condition, message) {
    if (!condition) throw new Error(message);
}

async function installable({ browser, url }) {
    const page = await watchedPage(browser);
    await page.goto(url);
    await workerReady(page);
    const cdp = await page.createCDPSession();
    const { errors: manifestErrors } = await cdp.send('Page.getAppManifest');
    const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
    expect(manifestErrors.length === 0, `manifest errors: ${JSON.stringify(manifestErrors)}`);
    expect(installabilityErrors.length === 0, `installability errors: ${JSON.stringify(installabilityErrors)}`);
}

async function offlineReload({ browser, url, server, lang }) {
    const page = await watchedPage(browser);
    await page.goto(`${url}?lang=${lang}`);
    await pageWorks(page, lang);
    await workerReady(page);
    await server.stop();
    await page.reload();
    await pageWorks(page, lang);
    for (const other of languages) {
        await page.goto(`${url}?lang=${other}`);
        await pageWorks(page, other);
    }
}

async function newBuild({ browser, url, server, first, next }) {
    const old = await watchedPage(browser);
    await old.goto(url);
    await pageWorks(old, 'en');
    await workerReady(old);
    server.root = next.site;
    const fresh = await watchedPage(browser);
    await fresh.goto(url);
    await pageWorks(fresh, 'en');
    await fresh.waitForFunction(async (name) => {
        const registration = await navigator.serviceWorker.getRegistration();
        return !registration.installing && !registration.waiting && (await caches.keys()).includes(name);
    }, { polling: 100 }, `amorist-${next.build}`);
    // The old tab asks for texts the server no longer has, and still gets its own.
    await pageWorks(old, 'de');
    const oldFiles = await loadedFiles(old);
    expect(oldFiles.every((file) => first.files.includes(file)), `the old tab loaded new files: ${oldFiles}`);
    await server.stop();
    await fresh.reload();
    await pageWorks(fresh, 'de');
    const freshFiles = await loadedFiles(fresh);
    expect(freshFiles.every((file) => next.files.includes(file)), `the new page loaded old files: ${freshFiles}`);
}

function get(url) {
    return new Promise((resolve, reject) => http.get(url, { headers: { 'Accept-Encoding': 'gzip' } }, (response) => {
        response.resume();
        resolve(response.headers);
    }).on('error', reject));
}

async function throughNginx({ browser, name, first }) {
    const nginx = spawn(path.join(nginxDir, 'run-nginx.sh'), [first.site, path.join(work, `nginx-${name}`)],
        { stdio: ['ignore', 'pipe', 'inherit'] });
    try {
        const url = await new Promise((resolve, reject) => {
            nginx.stdout.on('data', (data) => String(data).match(/http:\S+/) && resolve(String(data).match(/http:\S+/)[0]));
            nginx.on('exit', (code) => reject(new Error(`nginx ended with ${code}`)));
        });
        const page = await get(url);
        expect(/frame-ancestors 'none'/.test(page['content-security-policy']), 'no frame-ancestors in the policy header');
        expect(page['x-content-type-options'] === 'nosniff' && page['referrer-policy'] === 'no-referrer' &&
            /camera=\(\)/.test(page['permissions-policy']), `security headers missing: ${JSON.stringify(page)}`);
        expect(page['cache-control'] === 'no-cache', `page cached: ${page['cache-control']}`);
        expect((await get(`${url}sw.js`))['cache-control'] === 'no-cache', 'service worker cached');
        for (const file of first.files.filter((f) => /\.(js|wasm|css|json)$/.test(f))) {
            const headers = await get(url + file);
            expect(headers['cache-control'] === 'public, max-age=31536000, immutable', `${file} not kept for a year`);
            expect(!/\.wasm$/.test(file) || headers['content-type'] === 'application/wasm', `${file} is ${headers['content-type']}`);
            expect(headers['x-content-type-options'] === 'nosniff', `${file} lost the server's headers`);
            expect(!/\.js$/.test(file) || headers['content-encoding'] === 'gzip', `${file} not compressed`);
        }
        const tab = await watchedPage(browser);
        await tab.goto(url);
        await pageWorks(tab, 'en');
        await tab.evaluate(axeSource);
        const axe = await tab.evaluate(() => axe.run({ runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa'] }));
        expect(axe.violations.length === 0, `axe: ${axe.violations.map((v) => v.id)}`);
    } finally {
        nginx.kill();
    }
}

const both = ['chromium', 'firefox'];
const rows = [
    { test: installable, browsers: ['chromium'] },
    { test: offlineReload, browsers: both, lang: 'en' },
    { test: offlineReload, browsers: both, lang: 'de' },
    { test: newBuild, browsers: both },
    { test: throughNginx, browsers: both },
];

fs.mkdirSync(work, { recursive: true });
const first = build('site-1');
const next = build('site-2', (text) => `${text}\n/* the next version */\n`);
let failures = 0;
for (const row of rows) {
    for (const name of row.browsers) {
        const label = `${row.test.name} ${name}${row.lang ? ` ${row.lang}` : ''}`;
        const server = noStoreServer();
        server.root = first.site;
        const browser = await launch(name);
        const before = problems.length;
        try {
            const url = await server.start();
            await Promise.race([row.test({ ...row, browser, name, url, server, first, next }),
                new Promise((resolve, reject) => setTimeout(() => reject(new Error('took over a minute')), 60000))]);
            expect(problems.length === before, problems.slice(before).join('\n'));
            console.log(`ok   ${label}`);
        } catch (error) {
            failures++;
            console.log(`FAIL ${label}: ${error.message.split('\n')[0]}`);
        } finally {
            await browser.close();
            await server.stop().catch(() => {});
        }
    }
}
process.exit(failures ? 1 : 0);
