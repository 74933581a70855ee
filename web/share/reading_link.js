// A link to a reading carries the two reading numbers and nothing else (#r=10-9):
// no name, date or sign, which would say who the two people are.
const readingFragment = /^#r=(1[0-2]|[1-9])-(1[0-2]|[1-9])$/;

// The two numbers of a fragment such as #r=10-9; null for anything else.
export function readingNumbersIn(hash) {
    const found = readingFragment.exec(hash);
    return found === null ? null : [Number(found[1]), Number(found[2])];
}

// The site's own address, without the language asked for (the link opens in its
// reader's language), and the two numbers.
export function readingLink(address, [one, two]) {
    return `${address.origin}${address.pathname}#r=${one}-${two}`;
}
