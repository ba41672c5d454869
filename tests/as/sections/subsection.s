; subsections are laid out by number, whatever their order in the source
        .data 2
        .byte 2
        .data
        .byte 0
        .subsection 1
        .byte 1
        .subsection -1
        .byte 0xff
        .data 1
        .byte 0x11
        .section mine, "aw"
        .subsection 3
        .byte 3
        .subsection
        .byte 0
