; .ifdef sees only definitions on earlier lines, in both passes; the
; model's own .L symbol exists from the first line; a test creates nothing
        .ifdef .LZP100
        .data
        .endif
        .ifdef x
        .byte 0x01
        .endif
        .ifndef x
        .byte 0x02
        .endif
x:      .byte 0x03
        .ifdef x
        .byte 0x04
        .endif
        .ifnotdef x
        .byte 0x05
        .endif
        .ifndef never_defined
        .byte 0x06
        .endif
        .ifdef never_defined
        .byte 0x07
        .endif
