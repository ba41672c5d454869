; two sections that the test renames to one name
        .section .one, "a", @progbits
        .globl first
        .long 0x11111111
first:  .long 0x22222222
        .section .two, "a", @progbits
        .globl second
        .long 0x33333333
second: .long 0x44444444
        .data
        .long first, second
