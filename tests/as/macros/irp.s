; .irp and .irpc: the body once per value with the symbol bound, once with
; an empty value when there is none; nested and repeated
        .data
        .irp v, 1, 2, 3
        .byte \v
        .endr
        .irp v 4 5              ; blanks separate values too
        .byte \v
        .endr
        .irp v, "6"             ; a quoted value without its quotes
        .byte \v
        .endr
        .irp v
        .byte 7\v               ; once, empty: 7
        .endr
        .irpc c, 89
        .byte \c
        .endr
        .irpc c
        .byte 1\c\()0           ; once, empty: 10
        .endr
        .irp a, 1, 2            ; nested: 11 12 21 22
        .irp b, 1, 2
        .byte \a\b
        .endr
        .endr
        .rept 2
        .irpc c, ab
        .ascii "\c"
        .endr
        .endr
        .macro each x:vararg
        .irp v, \x
        .byte \v * 2
        .endr
        .endm
        each 1, 2, 3            ; 2 4 6
