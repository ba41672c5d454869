; the version the command line chose: nothing to say
        .syntax V2
        .data
        .byte 0x01
