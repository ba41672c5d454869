; one byte in a mergeable section of 4 GiB entries
        .section .rodata.huge, "aM", @progbits, 0xfeffffff
        .byte 1
