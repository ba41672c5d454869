; memory accesses take data addresses, jumps take code addresses
        .data
x:      .long 1
        .text
p:
        rdl p
        jmp x
        complete
