; initialized data that fits, and a .bss that does not
        .data
        .long 1
        .bss
        .skip 0x20000
