// The reading card as a PNG, drawn in the page: the card module writes the
// SVG, which goes onto a canvas through an image from a blob: address. In the
// site this module lies beside the page's own.
import { catalogueFiles } from "./built.js";
import AmoristCardModule from "./amorist-card.js";

const width = 1080;
const height = 1350;

const card = AmoristCardModule({
    locateFile: () => new URL("amorist-card.wasm", import.meta.url).href,
});
const languages = new Set(["en"]);

// The text as a NUL-terminated UTF-8 string on the module's heap, whatever its length.
function onHeap(module, text) {
    const bytes = new TextEncoder().encode(text);
    const address = module._malloc(bytes.length + 1);
    module.HEAPU8.set(bytes, address);
    module.HEAPU8[address + bytes.length] = 0;
    return address;
}

async function useLanguage(module, code) {
    if (languages.has(code))
        return;
    const response = await fetch(new URL(catalogueFiles[code], import.meta.url));
    const bytes = new TextEncoder().encode(await response.text());
    const data = module._malloc(bytes.length);
    module.HEAPU8.set(bytes, data);
    const read = module._amorist_card_use_catalogue(data, bytes.length);
    module._free(data);
    if (read !== 1)
        throw new Error(`the catalogue of ${code} does not read`);
    languages.add(code);
}

export async function cardSvg({ language, reading, withNames = true }) {
    const module = await card;
    await useLanguage(module, language);
    const texts = [language, reading.you.name, reading.partner.name].map((t) => onHeap(module, t));
    try {
        const svg = module.ccall("amorist_card", "string",
            ["number", "number", "number", "number", "string", "string", "string", "string",
                "number", "number"],
            [...texts, withNames ? 1 : 0, reading.you.mars, reading.you.venus,
                reading.partner.mars, reading.partner.venus,
                reading.readings[0].number ?? 0, reading.readings[1].number ?? 0]);
        if (svg === "")
            throw new Error("the card module refused the reading");
        return svg;
    } finally {
        texts.forEach((address) => module._free(address));
    }
}

export async function cardPicture(current) {
    const svg = await cardSvg(current);
    const address = URL.createObjectURL(new Blob([svg], { type: "image/svg+xml" }));
    try {
        const image = new Image(width, height);
        image.src = address;
        await image.decode();
        const canvas = document.createElement("canvas");
        canvas.width = width;
        canvas.height = height;
        canvas.getContext("2d").drawImage(image, 0, 0, width, height);
        return await new Promise((resolve, reject) => canvas.toBlob(
            (blob) => (blob ? resolve(blob) : reject(new Error("the card could not be drawn"))),
            "image/png"));
    } finally {
        URL.revokeObjectURL(address);
    }
}
