// The commands under a reading that pass it on: the browser's print, and a link
// that holds only the two reading numbers.
import { readingLink } from "./reading_link.js";

export function setUpShareActions({ byId, shown, say }) {
    const status = byId("share-status");
    let numbers = null;

    byId("print-reading").addEventListener("click", () => window.print());

    byId("copy-link").addEventListener("click", async () => {
        const link = readingLink(location, numbers);
        try {
            await navigator.clipboard.writeText(link);
            say(status, shown("linkCopied", link));
        } catch {
            // No clipboard (a page served over plain http, a browser that refuses):
            // the link is shown to be copied by hand.
            say(status, shown("copyLinkByHand", link));
        }
    });

    return {
        readingShown(reading) {
            numbers = reading.readings.map((one) => one.number);
            status.textContent = "";
        },
    };
}
