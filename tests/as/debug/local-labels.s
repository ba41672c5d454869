; ".L" labels are never described
        .data
.Lhidden: .long 1
shown:  .long 2
        .text
.Lcode: getl 1
        complete
code:   getl 2
        complete
