; an error in an expansion is reported where the body says it, then at
; each invocation, innermost first
        .data
        .macro inner v
        .byte \v + )
        .endm
        .macro outer v
        inner \v
        .endm
        .macro wide
        .byte 1, \
        nosuch(
        .endm
        outer 1
        inner 2
        .irp x, 1
        outer \x
        .endr
        wide
