        .data
v:      .long 7
        .text
        .globl start
start:
        rdl v
        jmp start
        complete
