; sizes must be absolute and fit 32 bits; fills are checked in pass 2
        .data
        .skip later
        .space 2, later
        .skip 0x100000000
        .space 1 2
later:  .byte 0
