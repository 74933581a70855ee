// The name boxes' filter, as the core keeps a name: it runs on every change,
// so pasted, dropped and composed text passes the same filter as typed text,
// and what is refused is dropped, the letters around it kept.
export function attachNameFilter(input, filterName, refuse) {
    const filter = () => {
        const caret = input.selectionEnd ?? input.value.length;
        const { kept, refused } = filterName(input.value);
        const before = caret < input.value.length ? filterName(input.value.slice(0, caret)).kept.length
            : kept.length;
        if (kept !== input.value) {
            input.value = kept;
            input.setSelectionRange(before, before);
        }
        if (refused)
            refuse();
    };
    input.addEventListener("input", filter);
    // What was typed while the core was on its way passes now.
    if (input.value !== "")
        filter();
}
