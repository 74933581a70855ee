// Hands the site to the service worker once the page has loaded, so that fetching the whole site
// for offline use never competes with the first paint. The page's policy lets a script URL reach
// the browser only through a Trusted Types policy, and this one lets through the worker alone.
const workerScript = 'sw.js';

const workerPolicy = self.trustedTypes?.createPolicy('amorist-worker', {
    createScriptURL(url) {
        if (url !== workerScript) {
            throw new TypeError(`amorist-worker: ${url} is not the service worker`);
        }
        return url;
    },
});

function registerWorker() {
    const url = workerPolicy ? workerPolicy.createScriptURL(workerScript) : workerScript;
    navigator.serviceWorker.register(url).catch((error) => {
        console.warn('Amorist will not work offline:', error);
    });
}

if ('serviceWorker' in navigator) {
    if (document.readyState === 'complete') {
        registerWorker();
    } else {
        addEventListener('load', registerWorker, { once: true });
    }
}
