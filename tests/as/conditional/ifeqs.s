; strings compare by length and bytes
        .data
        .ifeqs "abc", "abc"
        .byte 0x01
        .endif
        .ifeqs "abc", "abd"
        .byte 0x02
        .endif
        .ifeqs "ab", "abc"
        .byte 0x03
        .endif
        .ifnes "ab", "abc"
        .byte 0x04
        .endif
        .ifnes "abc", "abc"
        .byte 0x05
        .endif
        .ifeqs "", ""
        .byte 0x06
        .endif
        .ifeqs "a\0b", "a\0c"
        .byte 0x07
        .endif
        .ifnes "a\0b", "a\0c"
        .byte 0x08
        .endif
