; each value test against -1, 0 and 1: a byte per true condition
        .data
        .if -1
        .byte 0x01
        .endif
        .ifne 0
        .byte 0x02
        .endif
        .ifeq 0
        .byte 0x03
        .endif
        .ifeq 1
        .byte 0x04
        .endif
        .ifge 0
        .byte 0x05
        .endif
        .ifge -1
        .byte 0x06
        .endif
        .ifgt 0
        .byte 0x07
        .endif
        .ifgt 1
        .byte 0x08
        .endif
        .ifle 0
        .byte 0x09
        .endif
        .ifle 1
        .byte 0x0a
        .endif
        .iflt 0
        .byte 0x0b
        .endif
        .iflt -1
        .byte 0x0c
        .endif
        .if
        .byte 0x0d
        .endif
        .if 0x8000000000000000
        .byte 0x0e
        .endif
        .iflt 0x8000000000000000
        .byte 0x0f
        .endif
