; -g: a unit with one DIE per paragraph and a line row per operation
        .data
count:  .long 2
        .text
        .globl start
start:
        getl 1
        getl 2
        complete
finish: getl 3
        complete
