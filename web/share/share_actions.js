// The commands under a reading that pass it on: the browser's print, and a link
// that holds only the two reading numbers. Loaded with the first reading, so a
// first visit does not carry it, nor the print style sheet it adds.
let link = null;
let status = null;

// The link to a reading, as Copy Link copies it and Share passes it on: the
// site's own address, without the language asked for (the link opens in its
// reader's language), and the two numbers; no name, date or sign, which would
// say who the two people are.
function linkTo(reading) {
    const [one, two] = reading.readings.map((each) => each.number);
    return `${location.origin}${location.pathname}#r=${one}-${two}`;
}

function setUp({ byId, shown, say }) {
    status = byId("share-status");
    const printStyle = document.createElement("link");
    printStyle.rel = "stylesheet";
    printStyle.media = "print";
    printStyle.href = new URL("print.css", import.meta.url).href;
    document.head.append(printStyle);

    byId("print-reading").addEventListener("click", () => window.print());
    byId("copy-link").addEventListener("click", async () => {
        try {
            await navigator.clipboard.writeText(link);
            say(status, shown("linkCopied", link));
        } catch {
            // No clipboard (a page served over plain http, a browser that refuses):
            // the link is shown to be copied by hand.
            say(status, shown("copyLinkByHand", link));
        }
    });
}

// Gives the reading's link, which Share passes on too.
export function showShareActions(page, reading) {
    if (status === null)
        setUp(page);
    link = linkTo(reading);
    status.textContent = "";
    return link;
}
