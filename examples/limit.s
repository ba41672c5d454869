; limit.s - the library member: the limit word that start.s reads.
        .include "example.inc"

        .data
        .globl limit
limit:  .long LIMIT
