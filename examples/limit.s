; limit.s - a library member: the limit that start.s reads.
        .data
        .globl limit
limit:  .long 100
