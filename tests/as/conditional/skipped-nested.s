; a false branch is passed over whole: nested blocks (a .rept among them)
; with their own .else, labels, lines that would be errors, and a nested
; .endif do not end it early
        .data
        .if 1
        .byte 0x01
        .else
        .rept 2
        .byte 0x02
        .endr
        .byte 0x03
        .endif

        .if 0
inside: .byte 0x04
        .if 1
        .byte 0x05
        .else
        .byte 0x06
        .endif
        5 is not a statement
        nosuchword 1, 2
        .byte 1 2 3
        .err
        .print "never"
        .include "never.inc"
        .end
        .else
        .byte 0x07
        .endif

        .ifdef inside
        .byte 0x08
        .endif

        .if 1
        .if 0
        .byte 0x09
        .else
        .byte 0x0a
        .endif
        .byte 0x0b
        .elseif 1
        .byte 0x0c
        .else
        .byte 0x0d
        .endif
        .byte 0x0e

        .if 0
        .byte 0x0f
after:  .endif
        .byte 0x10
