; warn.s - a block comment that never ends.
/* open
