/* .irp and .irpc bodies, nested, in .rept, in macros, with empty lists */
        .data
        .irp v, 1, 2, 3
        .byte \v
        .endr
        .irp v 4 5
        .short \v
        .endr
        .irp v, "6"
        .long \v
        .endr
        .irp v
        .byte 7\v
        .endr
        .irpc c, 89
        .byte \c
        .endr
        .irpc c
        .byte 1\c\()0
        .endr
        .irp a, 1, 2
        .irp b, 1, 2, 3
        .byte \a\b
        .endr
        .endr
        .rept 3
        .irpc c, xyz
        .ascii "\c"
        .endr
        .endr
        .macro each x:vararg
        .irp v, \x
        .byte \v * 2
        .endr
        .endm
        each 1, 2, 3
        each 9
        .macro chars s
        .irpc c, \s
        .byte 0x\c
        .endr
        .endm
        chars 12ab
