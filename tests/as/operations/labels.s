; a paragraph operation number label gives the distance to its operation
        .text
p:
        getl 1
first:=
        getl 2
        getl 3
        addl @first, #1
        complete
