; 64 bytes of .bss take no room in the file
        .data
        .long 1, 2
        .bss
buf:    .skip 64
