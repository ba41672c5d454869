; symbols defined in terms of themselves
        .data
        .set x, x + 1
        .byte x
        .set a, b + 1
        .set b, a - 1
        .byte a
        .eqv e, e * 2
        .byte e
