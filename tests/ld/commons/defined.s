; pulled in for pull; it defines buf
        .data
        .globl buf
buf:    .long 7
        .text
        .globl pull
pull:   getl #1
        complete
