; .equiv defines once; .eqv recomputes at every use
        .data
        .equiv one, 1
        .set n, 1
        .eqv e, n + 1
        .byte one, e
        .set n, 5
        .byte e
