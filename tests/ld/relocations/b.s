        .set big, 0x100
        .set zero, 0
        .globl big, zero, there
        .data
there:  .long 0
