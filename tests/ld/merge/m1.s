        .section .rodata.str, "aMS", @progbits, 1
        .globl s1, hello
s1:     .string "ab"
hello:  .string "hello"
        .section .rodata.cst4, "aM", @progbits, 4
        .globl w1
w1:     .long 1
        .long 3
