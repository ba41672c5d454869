; a body is assembled count times; none for 0 or less; nesting multiplies
        .data
        .rept 3
        .byte 0x01
        .endr
        .rept 0
        .byte 0x02
        .endr
        .rept -1
        .byte 0x03
        .endr
        .rept 1
        .byte 0x04
        .endr
        .rept 2
        .byte 0x05
        .rept 3
        .byte 0x06
        .endr
        .endr
        .rept 2
        .rept 0
        .byte 0x07
        .endr
        .endr
        .rept 2
        .if 1
        .byte 0x08
        .else
        .byte 0x09
        .endif
        .endr
        .set n, 2
        .rept n + 1
        .byte 0x0a
        .endr
        .if 1
        .rept 0
        .else
        .byte 0x0b
        .endr
        .byte 0x0c
        .endif
