; a condition that cannot be decided is false and its branch skipped
        .data
        .ifdef 5
        .byte 0x01
        .endif
        .ifndef "x"
        .byte 0x02
        .endif
        .ifnotdef 5
        .byte 0x03
        .endif
        .if later
        .byte 0x04
        .endif
        .ifgt later + 1
        .byte 0x05
        .endif
        .if 1 2
        .byte 0x06
        .endif
        .ifdef later junk
        .byte 0x07
        .endif
        .if (1
        .byte 0x08
        .endif
        .ifeqs "a"
        .byte 0x09
        .endif
        .ifnes "a", b
        .byte 0x0a
        .endif
        .ifeqs "a" "a"
        .byte 0x0b
        .else
        .byte 0x0c
        .endif
        .if 0
        .elseif later
        .byte 0x0d
        .endif
later:
