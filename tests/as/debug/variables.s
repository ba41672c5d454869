; data and bss labels become variables located in their sections
        .data
        .byte 1, 2
        .globl table
table:  .long 1, 2, 3
        .size table, 12
        .weak flag
flag:   .byte 0
        .lcomm buffer, 32
        .bss
        .skip 4
tail:   .skip 4
