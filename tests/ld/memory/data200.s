; ZP200's data starts at 0x40000: 0x40000 bytes fit, one more does not
        .data
        .skip 0x40000
        .bss
        .skip 1
