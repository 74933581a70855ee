// The core compiled to WebAssembly, as the page uses it: its wasm fetched with
// progress, every string handed over through the module's heap, and a failed
// call reported as an error while the module stays usable.

// How the module factory (amorist.js, a classic script) is on the page; a
// script that did not load stays so until the page is loaded again.
let factoryFailed = false;
function moduleFactory(script) {
    if (globalThis.AmoristModule)
        return Promise.resolve(globalThis.AmoristModule);
    if (factoryFailed)
        return Promise.reject(new Error("amorist.js did not load"));
    return new Promise((resolve, reject) => {
        script.addEventListener("load", () => resolve(globalThis.AmoristModule), { once: true });
        script.addEventListener("error", () => {
            factoryFailed = true;
            reject(new Error("amorist.js did not load"));
        }, { once: true });
    });
}

export const runsWebAssembly = () => typeof WebAssembly === "object" && typeof WebAssembly.instantiate === "function";

// The wasm's bytes, reporting the share received; size is what the build wrote.
async function fetchWithProgress(url, size, onProgress) {
    const response = await fetch(url);
    if (!response.ok)
        throw new Error(`${url}: ${response.status}`);
    const reader = response.body.getReader();
    const parts = [];
    let received = 0;
    for (;;) {
        const { done, value } = await reader.read();
        if (done)
            break;
        parts.push(value);
        received += value.length;
        onProgress(Math.min(received / size, 1));
    }
    const bytes = new Uint8Array(received);
    let at = 0;
    for (const part of parts) {
        bytes.set(part, at);
        at += part.length;
    }
    return bytes;
}

// Resolves to the core once it runs; rejects when this browser cannot run it.
export async function loadCore({ script, wasmUrl, wasmSize, onProgress }) {
    if (!runsWebAssembly())
        throw new Error("no WebAssembly");
    const [factory, wasmBinary] = await Promise.all([moduleFactory(script),
        fetchWithProgress(wasmUrl, wasmSize, onProgress)]);
    return new Core(await factory({ wasmBinary }));
}

// The page's name alphabet, which the core's name filter asks: the letters of
// every script and the marks that combine with them, the space, hyphens and apostrophes.
const nameAlphabet = /[\p{L}\p{M} \-\u2010\u2011'\u2019]/u;

export class Core {
    constructor(module) {
        this.module = module;
        module.nameAlphabet = nameAlphabet;
    }

    // Calls the exported function with each string as its address and size in
    // the heap, freed afterwards whatever happens; returns the answer's text.
    callWithStrings(name, strings, ...numbers) {
        const module = this.module;
        const encoder = new TextEncoder();
        const held = [];
        try {
            const args = [];
            for (const text of strings) {
                const bytes = encoder.encode(text);
                const address = module._malloc(Math.max(bytes.length, 1));
                if (address === 0)
                    throw new Error("the core is out of memory");
                held.push(address);
                module.HEAPU8.set(bytes, address);
                args.push(address, bytes.length);
            }
            return module.UTF8ToString(module[`_${name}`](...args, ...numbers));
        } finally {
            held.forEach((address) => module._free(address));
        }
    }

    // Hands a language's catalogue over; false when it does not read.
    useCatalogue(bytes) {
        const module = this.module;
        const address = module._malloc(Math.max(bytes.length, 1));
        if (address === 0)
            return false;
        try {
            module.HEAPU8.set(bytes, address);
            return module._amorist_use_catalogue(address, bytes.length) === 1;
        } finally {
            module._free(address);
        }
    }

    // {kept, refused}: the name as its box keeps it, upper-cased by Unicode's
    // full rules (ß is SS), and whether anything was left out.
    filterName(text) {
        return JSON.parse(this.callWithStrings("amorist_filter_name", [text]));
    }

    get longestName() {
        return this.module._amorist_longest_name();
    }

    // {address} of the referral from the four boxes, or {refused: message}.
    referral(language, boxes) {
        return JSON.parse(this.callWithStrings("amorist_referral", [language, ...boxes]));
    }

    // One reading from its number alone (a link passed on), or {error}.
    readingOfNumber(language, number) {
        return JSON.parse(this.callWithStrings("amorist_reading_of_number", [language], number));
    }

    // The reading as the page shows it, a refusal, or {error}.
    reading(language, you, partner) {
        const shownAndBlankIsEmpty = 1 | 2;
        return JSON.parse(this.callWithStrings("amorist_reading",
            [language, you.name, you.date, partner.name, partner.date], shownAndBlankIsEmpty));
    }
}
