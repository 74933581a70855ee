// The name boxes' filter, as on the desktop: letters A to Z are taken, in
// upper case, and spaces; anything else is refused with the desktop's message
// and dropped, the letters around it kept. It runs on every change, so pasted,
// dropped and composed text passes the same filter as typed text.
export function filterName(text) {
    const upper = text.replace(/[a-z]/g, (letter) => letter.toUpperCase());
    const kept = upper.replace(/[^A-Z ]/g, "");
    return { kept, refused: kept.length !== upper.length };
}

export function attachNameFilter(input, refuse) {
    input.addEventListener("input", () => {
        const caret = input.selectionEnd ?? input.value.length;
        const before = filterName(input.value.slice(0, caret)).kept.length;
        const { kept, refused } = filterName(input.value);
        if (kept !== input.value) {
            input.value = kept;
            input.setSelectionRange(before, before);
        }
        if (refused)
            refuse();
    });
}
