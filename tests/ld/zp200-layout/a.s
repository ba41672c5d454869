; linear program memory: addresses are byte offsets, data starts at 0x40000
        .data
        .globl value
value:  .long 5
ptr:    .long first
        .text
        .globl start
first:  getl #1
        complete
start:  rdl value
        jmp first
        complete
