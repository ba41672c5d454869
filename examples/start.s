; start.s - the entry paragraph: runs main while the counter in data
; memory is below the limit that the library provides.
        .data
count:  .long 0

        .text
        .globl start
start:
        rdl count       ; the counter
        rdl limit       ; the library's limit
        jmp main        ; run the sum
        complete
