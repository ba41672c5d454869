; .elseif picks the first true branch after a false .if; .else only when
; nothing before it was taken
        .data
        .if 0
        .byte 0x10
        .elseif 1
        .byte 0x11
        .else
        .byte 0x12
        .endif

        .if 0
        .byte 0x20
        .elseif 0
        .byte 0x21
        .elseif 2
        .byte 0x22
        .elseif 1
        .byte 0x23
        .else
        .byte 0x24
        .endif

        .if 1
        .byte 0x30
        .elseif 1
        .byte 0x31
        .else
        .byte 0x32
        .endif

        .if 0
        .byte 0x40
        .elseif 0
        .byte 0x41
        .else
        .byte 0x42
        .endif
