// Amorist's service worker. The build puts `build` (a hash of the whole site) and `files` (every
// file of the site, all four languages included) above this line.
//
// Every file but the page carries a hash of its contents in its name, so one build's page, script,
// module and texts always travel together and a new build's files never replace an old one's. The
// page itself is asked of the network first, so the next visit after a new version is deployed
// takes it; with the network gone it comes from the cache of the build this worker belongs to.
// A new worker caches its whole build, then takes over at once. The build before it keeps its
// cache, so a tab still showing it gets its own files (a language it has not loaded yet, say)
// even when the server no longer has them, until it is reloaded; older builds are dropped.
const cacheName = `amorist-${build}`;

self.addEventListener('install', (event) => {
    event.waitUntil(
        caches
            .open(cacheName)
            .then((cache) => cache.addAll(files))
            .then(() => self.skipWaiting()),
    );
});

self.addEventListener('activate', (event) => {
    event.waitUntil(
        caches
            .keys()
            .then((names) =>
                // Caches are listed oldest first, so the last other one is the previous build's.
                Promise.all(
                    names
                        .filter((name) => name.startsWith('amorist-') && name !== cacheName)
                        .slice(0, -1)
                        .map((name) => caches.delete(name)),
                ),
            )
            .then(() => self.clients.claim()),
    );
});

async function fromCache(request, options) {
    const cache = await caches.open(cacheName);
    return cache.match(request, options);
}

// The page's own addresses: the scope itself and its index.html. The page refers to its files by
// relative names, so served at any deeper address it would find none of them.
function isPageAddress(url) {
    const scope = new URL(self.registration.scope);
    return url.pathname === scope.pathname || url.pathname === `${scope.pathname}index.html`;
}

async function page(request) {
    try {
        return await fetch(request);
    } catch (offline) {
        const url = new URL(request.url);
        if (!isPageAddress(url)) {
            // Offline, a deeper address gets the page at its own address, keeping the query.
            return Response.redirect(new URL(url.search, self.registration.scope).href, 302);
        }
        const cached = await fromCache('./', { ignoreSearch: true });
        if (cached) {
            return cached;
        }
        throw offline;
    }
}

async function file(request) {
    return (await caches.match(request)) ?? fetch(request);
}

self.addEventListener('fetch', (event) => {
    const request = event.request;
    if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) {
        return;
    }
    event.respondWith(request.mode === 'navigate' ? page(request) : file(request));
});
