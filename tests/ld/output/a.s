        .data
v:      .long 1
        .text
        .globl main
main:   rdl v
        complete
