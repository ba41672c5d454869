; one word more than the initialized data memory
        .data
        .skip 0x20004
