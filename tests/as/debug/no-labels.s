; nothing to describe: no debugging sections at all, even with -g
        .data
        .long 1
.Lonly: .long 2
        .text
.Lp:    getl 1
        complete
