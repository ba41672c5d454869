        .section .rodata.str, "aMS", @progbits, 1
        .globl s2, s3, s4
s2:     .string "b"             ; the tail of "ab"
s4:     .string "llo"           ; the tail of "hello"
s3:     .ascii "xyz"            ; no terminator: one is added
        .section .rodata.cst4, "aM", @progbits, 4
        .globl w2
w2:     .long 1                 ; kept once, in m1's output
        .long 4
        .data
        .long s1, s2, s3, s4 + 2, w1, w2
