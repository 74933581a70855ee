// Which language the page speaks: ?lang=xx when it names one the page has,
// else the first of the browser's languages that has a translation, by the
// desktop's rule: English listed first ends the search. The languages are
// those the build has texts for: English and every translation.
import { textFiles } from "./built.js";

export const pageLanguages = Object.keys(textFiles);

function primary(tag) {
    return tag.split(/[-_]/)[0].toLowerCase();
}

export function chooseLanguage(search, browserLanguages) {
    const pinned = new URLSearchParams(search).get("lang");
    if (pinned !== null && pageLanguages.includes(pinned))
        return pinned;
    for (const tag of browserLanguages) {
        const code = primary(tag);
        if (pageLanguages.includes(code))
            return code;
    }
    return "en";
}
