// Amorist's service worker. The build puts `build` (a hash of the whole site) and `files` (every
// file of the site, all four languages included) above this line.
//
// Every file but the page carries a hash of its contents in its name, so one build's page, script,
// module and texts always travel together. The page itself is asked of the network first, so the
// next visit after a new version is deployed takes it; with the network gone it comes from the
// cache of the build that is running. A new worker caches its whole build while the old one keeps
// serving the tabs that are open, and takes over only when they are gone: an old tab keeps
// working, on its own files, until it is reloaded or closed.
const cacheName = `amorist-${build}`;

self.addEventListener('install', (event) => {
    event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(files)));
});

self.addEventListener('activate', (event) => {
    event.waitUntil(
        caches
            .keys()
            .then((names) =>
                Promise.all(
                    names
                        .filter((name) => name.startsWith('amorist-') && name !== cacheName)
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

async function page(request) {
    try {
        return await fetch(request);
    } catch (offline) {
        const cached = await fromCache('./', { ignoreSearch: true });
        if (cached) {
            return cached;
        }
        throw offline;
    }
}

async function file(request) {
    return (await fromCache(request)) ?? fetch(request);
}

self.addEventListener('fetch', (event) => {
    const request = event.request;
    if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) {
        return;
    }
    event.respondWith(request.mode === 'navigate' ? page(request) : file(request));
});
