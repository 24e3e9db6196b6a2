Name$ = "Müller" ; äöü
© Copyright
Print("€uro")
