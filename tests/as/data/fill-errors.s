; .fill operands must be absolute; a total beyond 32 bits is refused
        .data
        .fill later
        .fill 1, later
        .fill 1, 1, later
        .fill 0x80000000, 2, 0
        .fill 2, 1, 1 extra
later:  .byte 0
