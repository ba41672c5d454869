        .section .extra, "a", @progbits
        .long 0x11223344
