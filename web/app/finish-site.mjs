// Turns the plain site into the one that is served: the install icons are rendered from the
// program's own drawing, the page gets its policy, its manifest and the script that registers the
// service worker, whose list of files to keep is written here, and every file but the page and
// the service worker is named after a hash of its contents, every reference to it following. A
// file named so already keeps its name while its contents stay the same.
//
// usage: node finish-site.mjs PLAIN_SITE OUT_SITE ICON_SVG NGINX_CONF
import { execFileSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';

const appSources = path.dirname(new URL(import.meta.url).pathname);
const textTypes = new Set(['.html', '.js', '.mjs', '.css', '.json', '.webmanifest', '.svg']);
const unhashed = new Set(['index.html', 'sw.js']);

function fail(message) {
    console.error(`finish-site: ${message}`);
    process.exit(1);
}

function readTree(root, prefix = '') {
    const files = new Map();
    for (const entry of fs.readdirSync(path.join(root, prefix), { withFileTypes: true })) {
        const relative = path.posix.join(prefix, entry.name);
        if (entry.isDirectory()) {
            for (const [name, bytes] of readTree(root, relative)) files.set(name, bytes);
        } else {
            files.set(relative, fs.readFileSync(path.join(root, relative)));
        }
    }
    return files;
}

// The "any" icon is the drawing as it is; the maskable one fills the square with the drawing's
// blue and keeps the drawing inside the circle every mask leaves whole (four fifths across). A
// palette of at most 256 colours loses nothing visible on flat colours and halves the size.
function renderIcons(svg) {
    const work = fs.mkdtempSync(path.join(os.tmpdir(), 'amorist-icons-'));
    const icons = [
        { name: 'icon-192.png', args: ['--width=192', '--height=192'] },
        {
            name: 'icon-512-maskable.png',
            args: ['--width=400', '--height=400', '--page-width=512', '--page-height=512',
                '--left=56', '--top=56', '--background-color=#2C3F5C'],
        },
    ];
    const rendered = new Map();
    for (const icon of icons) {
        const raw = path.join(work, `raw-${icon.name}`);
        const palette = path.join(work, `palette-${icon.name}`);
        const small = path.join(work, icon.name);
        execFileSync('rsvg-convert', [...icon.args, '--format=png', `--output=${raw}`, svg]);
        execFileSync('pngquant', ['--strip', '--speed=1', '--output', palette, '--', raw]);
        execFileSync('optipng', ['-quiet', '-o7', '-strip', 'all', '-out', small, palette]);
        rendered.set(icon.name, fs.readFileSync(small));
    }
    fs.rmSync(work, { recursive: true });
    return rendered;
}

// The page's policy is the server's, less what only a header can say.
function pagePolicy(nginxConf) {
    const match = fs.readFileSync(nginxConf, 'utf8').match(/add_header Content-Security-Policy "([^"]+)"/);
    if (!match) fail(`${nginxConf} sets no Content-Security-Policy`);
    return match[1]
        .split(';')
        .map((directive) => directive.trim())
        .filter((directive) => !directive.startsWith('frame-ancestors'))
        .join('; ');
}

function escapeRegExp(text) {
    return text.replace(/[.*+?^${}()|[\]\\]/g, '\\$&');
}

// A reference is the file's name standing alone, not part of a longer name.
function referencePattern(names) {
    const alternatives = names.map(escapeRegExp).join('|');
    return new RegExp(`(?<![\\w.-])(${alternatives})(?![\\w-]|\\.\\w)`, 'g');
}

// Renames files after their contents, those that others refer to first, so that a file's hash
// covers the hashed names it refers to. Returns the old base name to new base name map.
function hashNames(files) {
    const hashable = [...files.keys()].filter((name) => !unhashed.has(name));
    const byBase = new Map();
    for (const name of hashable) {
        const base = path.posix.basename(name);
        if (byBase.has(base)) fail(`two files are called ${base}: ${byBase.get(base)} and ${name}`);
        byBase.set(base, name);
    }
    const pattern = referencePattern([...byBase.keys()]);
    const refersTo = (name) =>
        textTypes.has(path.extname(name))
            ? new Set([...files.get(name).toString('utf8').matchAll(pattern)].map((m) => m[1]))
            : new Set();
    const renamed = new Map();
    const rewrite = (name) =>
        textTypes.has(path.extname(name))
            ? Buffer.from(files.get(name).toString('utf8').replace(pattern, (base) => renamed.get(base) ?? base))
            : files.get(name);
    const visiting = new Set();
    const visit = (name) => {
        const base = path.posix.basename(name);
        if (renamed.has(base)) return;
        if (visiting.has(name)) fail(`${name} refers to itself through other files`);
        visiting.add(name);
        for (const other of refersTo(name)) if (other !== base) visit(byBase.get(other));
        const bytes = rewrite(name);
        const hash = createHash('sha256').update(bytes).digest('hex').slice(0, 10);
        const [, stem, extension] = base.match(/^(.*?)(?:\.[0-9a-f]{10})?(\.[^.]+)$/);
        renamed.set(base, `${stem}.${hash}${extension}`);
        files.set(name, bytes);
    };
    for (const name of hashable) visit(name);
    const hashed = new Map();
    for (const [name, bytes] of files) {
        const base = path.posix.basename(name);
        const target = renamed.has(base) ? path.posix.join(path.posix.dirname(name), renamed.get(base)) : name;
        hashed.set(target, unhashed.has(name) ? rewrite(name) : bytes);
    }
    return hashed;
}

// An inline script runs only by its hash in the policy's script-src; one the policy does not
// name would be blocked in the browser, so it stops the build here, naming the hash to add.
function checkInlineScripts(html, policy) {
    for (const [, script] of html.matchAll(/<script(?![^>]*\bsrc=)[^>]*>([\s\S]*?)<\/script>/g)) {
        const hash = `'sha256-${createHash('sha256').update(script, 'utf8').digest('base64')}'`;
        if (!policy.split(';').some((part) => part.trim().startsWith('script-src') && part.includes(hash))) {
            fail(`index.html has an inline script the policy does not allow: add ${hash} to script-src`);
        }
    }
}

function addToHead(html, policy) {
    if (!/<head>/.test(html) || !/<\/head>/.test(html)) fail('index.html has no <head> to add to');
    if (/<style[\s>]/.test(html) || /\sstyle="/.test(html)) {
        fail('index.html has inline style, which its policy forbids');
    }
    checkInlineScripts(html, policy);
    // The policy must come before anything it governs.
    return html
        .replace('<head>', `<head>\n<meta http-equiv="Content-Security-Policy" content="${policy}">`)
        .replace(
            '</head>',
            '<link rel="manifest" href="manifest.webmanifest">\n' +
                '<meta name="theme-color" content="#273852">\n' +
                '<script type="module" src="register.js"></script>\n</head>',
        );
}

const [plainSite, outSite, iconSvg, nginxConf] = process.argv.slice(2);
if (!nginxConf) fail('usage: node finish-site.mjs PLAIN_SITE OUT_SITE ICON_SVG NGINX_CONF');

const site = readTree(plainSite);
if (!site.has('index.html')) fail(`${plainSite} has no index.html`);
if (!site.has('register.js')) fail(`${plainSite} has no register.js`);
for (const own of ['manifest.webmanifest', 'sw.js']) {
    if (site.has(own)) fail(`${plainSite} already has a ${own}`);
}
site.set('index.html', Buffer.from(addToHead(site.get('index.html').toString('utf8'), pagePolicy(nginxConf))));
site.set('manifest.webmanifest', fs.readFileSync(path.join(appSources, 'manifest.webmanifest')));
for (const [name, bytes] of renderIcons(iconSvg)) site.set(name, bytes);
site.set('sw.js', fs.readFileSync(path.join(appSources, 'sw.js')));

const served = hashNames(site);
const precached = ['./', ...[...served.keys()].filter((name) => !unhashed.has(name)).sort()];
const build = createHash('sha256')
    .update(precached.join('\n'))
    .update(served.get('index.html'))
    .digest('hex')
    .slice(0, 12);
served.set(
    'sw.js',
    Buffer.concat([
        Buffer.from(`const build = '${build}';\nconst files = ${JSON.stringify(precached, null, 4)};\n`),
        served.get('sw.js'),
    ]),
);

fs.rmSync(outSite, { recursive: true, force: true });
for (const [name, bytes] of served) {
    fs.mkdirSync(path.join(outSite, path.posix.dirname(name)), { recursive: true });
    fs.writeFileSync(path.join(outSite, name), bytes);
}
console.log(`finish-site: ${served.size} files, build ${build}, into ${outSite}`);
