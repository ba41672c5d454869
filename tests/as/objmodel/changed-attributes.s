; a section named again keeps what it was made with; each change warns once
        .section mydata, "a"
        .byte 1
        .section mydata, "aw"
        .section m, "aM", @progbits, 4
        .section m, "aM", @nobits, 8
        .section mydata, "a"
        .byte 2
